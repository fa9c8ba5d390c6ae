// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The few functions the browser calls: it writes each text of a request into an argument,
// runs the request, and reads the view back as JSON.

#include "field_page.h"
#include "field_view_json.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Exchange {
    kestrune::FieldPage page;
    std::vector<std::string> args;
    std::string output;
};

Exchange& exchange() {
    static Exchange e;
    return e;
}

} // namespace

// Room for argument index of size bytes; the browser writes them there.
extern "C" __attribute__((export_name("kf_arg"))) char* kf_arg(std::uint32_t index,
                                                               std::uint32_t size) {
    std::vector<std::string>& args = exchange().args;
    if (args.size() <= index)
        args.resize(std::size_t{index} + 1);
    args[index].assign(size, '\0');
    return args[index].data();
}

// Runs the request of the first count arguments; gives the view's JSON, of kf_size() bytes.
extern "C" __attribute__((export_name("kf_run"))) const char* kf_run(std::uint32_t count) {
    Exchange& e = exchange();
    const std::size_t n = count < e.args.size() ? count : e.args.size();
    e.page.request(std::span<const std::string>(e.args.data(), n));
    e.output = kestrune::fieldViewJson(e.page.view());
    return e.output.c_str();
}

extern "C" __attribute__((export_name("kf_size"))) std::uint32_t kf_size() {
    return static_cast<std::uint32_t>(exchange().output.size());
}
