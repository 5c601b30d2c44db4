// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return velnora::cli::Main({argv + 1, argv + argc}, std::cout, std::cerr);
}
