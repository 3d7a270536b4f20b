#pragma once

#include <random>
#include <string>
#include <vector>

/// A few lines of random Delphi-like text: reserved words in random case,
/// names, numbers, every comment and string delimiter (so comments open and
/// close across the lines), tabs, "<", ">", "&" and bytes of 0x80 and above;
/// now and then one line is a few hundred fragments long.
std::vector<std::string> randomSourceLines(std::mt19937& random);
