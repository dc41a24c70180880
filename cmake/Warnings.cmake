# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
