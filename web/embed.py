#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT
"""Puts the module into the page as base64: a browser loads no separate .wasm over file://."""
import base64
import sys

template, module, out = sys.argv[1:4]
with open(template, encoding="utf-8") as f:
    page = f.read()
with open(module, "rb") as f:
    encoded = base64.b64encode(f.read()).decode("ascii")
if page.count("@WASM_BASE64@") != 1:
    sys.exit("embed.py: the template must hold @WASM_BASE64@ once")
with open(out, "w", encoding="utf-8") as f:
    f.write(page.replace("@WASM_BASE64@", encoded))
