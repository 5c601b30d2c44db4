// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const char* place = std::getenv("VELNORA_PLACE");
    return velnora::cli::Main({argv + 1, argv + argc}, std::cout, std::cerr, velnora::SystemClock{},
                              place ? place : "");
}
