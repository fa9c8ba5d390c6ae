// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The field page in the system's chromium, used as a person would: it types into the boxes,
// chooses from the lists, picks files and reads the results, then compares them with the table of
// cases the C++ tests run through the page models. No request leaves the machine.
//   node run.mjs PAGE.html CASES.tsv
import { readFileSync, statSync } from "node:fs";
import { dirname, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const [pagePath, casesPath] = process.argv.slice(2).map(p => resolve(p));
const filesDir = resolve(dirname(casesPath), "field");
const url = pathToFileURL(pagePath).href;
let passed = 0, failed = 0;
const check = (ok, what) => { ok ? passed++ : (failed++, console.log("FAIL " + what)); };

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  headless: true,
  // Root (as in CI) runs chromium only without its sandbox.
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run"],
});
const page = await browser.newPage();
await page.setViewport({ width: 390, height: 844 });
let refused = 0;
await page.setRequestInterception(true);
page.on("request", r => (/^(file|data):/.test(r.url()) ? r.continue() : (refused++, r.abort())));

async function open() {
  await page.goto(url);
  await page.evaluate(() => localStorage.clear());
  await page.goto(url);
}
const views = () => page.$eval("html", h => Number(h.dataset.views));
async function shownText(id) {
  const [table, row] = id.split(".");
  if (table === "card" || table === "batches")
    return page.evaluate((table, row) => {
      const tr = document.getElementById(table).rows[row];
      if (!tr) return "(no row)";
      return Array.from(tr.cells).filter(c => !c.querySelector("button") && c.textContent + c.tagName !== "TH")
        .map(c => c.textContent).join("/");
    }, table, Number(row));
  return page.evaluate(id => {
    const el = document.getElementById(id);
    return !el ? "(no text)" : el.tagName === "INPUT" ? el.value : el.textContent;
  }, id);
}
async function take(id, value) {
  if (id === "tab") return page.click(`#tab-${value}`);
  if (id === "defaults") return page.click("#defaults");
  if (id === "batch-use") return page.click(`#batches tbody tr:nth-child(${value}) button`);
  const selector = `[id="${id}"]`;
  if (id.startsWith("pick-")) {
    const before = await views();
    const input = await page.$(selector);
    await input.uploadFile(...value.split(",").map(name => resolve(filesDir, name)));
    return page.waitForFunction(n => Number(document.documentElement.dataset.views) > n, {}, before);
  }
  const kind = await page.$eval(selector, el => el.tagName + (el.type || ""));
  if (kind.startsWith("SELECT")) {
    const option = await page.$$eval(`${selector} option`, (os, text) => os.find(o => o.textContent === text)?.value, value);
    if (option === undefined) throw new Error(`${id} has no entry ${value}`);
    return page.select(selector, option);
  }
  if (kind === "INPUTcheckbox") {
    const on = await page.$eval(selector, el => el.checked);
    if (on !== (value === "1")) await page.click(selector);
    return;
  }
  await page.click(selector, { count: 3 });
  await page.keyboard.press("End");
  await page.keyboard.down("Shift");
  await page.keyboard.press("Home");
  await page.keyboard.up("Shift");
  await page.keyboard.press("Backspace");
  if (value) await page.type(selector, value);
}

// The shared cases.
for (const line of readFileSync(casesPath, "utf8").split("\n")) {
  if (!line || line.startsWith("#")) continue;
  const [name, steps, texts] = line.split("\t");
  await open();
  for (const step of steps.split(" ; ")) {
    const at = step.indexOf("=");
    await take(step.slice(0, at), step.slice(at + 1));
  }
  for (const expected of texts.split(" ; ")) {
    const at = expected.indexOf("=");
    const id = expected.slice(0, at), want = expected.slice(at + 1);
    const got = await shownText(id);
    check(got === want, `${name}: ${id} shows ${JSON.stringify(got)}, not ${JSON.stringify(want)}`);
  }
}

// Kept between visits: a typed constant is there after a reload, until the defaults.
await open();
await take("tab", "constants");
await take("const-turns.1", "120");
await page.reload();
check(await shownText("const-turns.1") === "120", "a typed constant is kept between visits");
await take("tab", "constants");
await take("defaults", "");
await page.reload();
check(await shownText("const-turns.1") === "107", "the defaults are kept after Back to the built-in constants");

// Made for a phone: every control labelled, 16 px type, 44 px targets, the number keyboard.
await open();
const html = readFileSync(pagePath, "utf8");
check(!/https?:\/\//.test(html.replace(/<!--[\s\S]*?-->/g, "")), "the file names no network address");
check(await page.$eval("html", h => h.lang) === "en", "lang is en");
for (const tab of ["turns", "card", "weight", "constants"]) {
  await take("tab", tab);
  const faults = await page.evaluate(() => {
    const out = [];
    for (const el of document.querySelectorAll("main section:not([hidden]) :is(input, select, button)")) {
      const r = el.getBoundingClientRect(), size = parseFloat(getComputedStyle(el).fontSize);
      const target = el.type === "checkbox" ? el.parentElement.getBoundingClientRect() : r;
      if (!el.labels?.length && !el.getAttribute("aria-label") && el.tagName !== "BUTTON") out.push(el.id + " has no label");
      if (target.height < 44) out.push(`${el.id || el.textContent} is ${target.height}px high`);
      if (size < 16) out.push(`${el.id} has ${size}px type`);
      if (el.type === "text" && !["decimal", "numeric"].includes(el.inputMode)) out.push(el.id + " asks for letters");
    }
    return out;
  });
  check(faults.length === 0, `${tab}: ${faults.join(", ")}`);
  const tree = await page.accessibility.snapshot();
  const nodes = [];
  const walk = n => { nodes.push(n); (n.children || []).forEach(walk); };
  walk(tree);
  const unnamed = nodes.filter(n => ["combobox", "textbox", "checkbox", "button", "tab"].includes(n.role) && !n.name);
  check(unnamed.length === 0, `${tab}: unnamed ${unnamed.map(n => n.role).join(", ")}`);
  check(nodes.filter(n => n.role === "tab").length === 4, `${tab}: four tabs in the accessibility tree`);
}
check(refused === 0, `${refused} requests to the network`);

// Figures: opening to the first result, and a keystroke to new results.
const loads = [];
for (let i = 0; i < 7; i++) {
  await open();
  loads.push(await page.$eval("html", h => Number(h.dataset.ready)));
}
await take("tab", "card");
const keys = await page.evaluate(() => {
  const box = document.getElementById("card-length"), times = [];
  for (let i = 0; i < 100; i++) {
    const start = performance.now();
    box.value = String(10 + (i % 30));
    box.dispatchEvent(new Event("input"));
    times.push(performance.now() - start);
  }
  return times;
});
const median = a => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];
const bytes = statSync(pagePath).size;
console.log(`size: ${bytes} bytes`);
console.log(`open to first result: median ${median(loads).toFixed(1)} ms of ${loads.length} (${loads.map(t => t.toFixed(0)).join(" ")})`);
console.log(`keystroke to results (winding card): median ${median(keys).toFixed(2)} ms, most ${Math.max(...keys).toFixed(2)} ms of ${keys.length}`);
check(bytes < 1024 * 1024, "the file is under 1 MB");
check(median(loads) < 300, "the first result within 300 ms");
check(median(keys) < 5, "a keystroke's results within 5 ms");

await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
