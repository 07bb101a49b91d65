#pragma once

class QString;

namespace censaria {

class Module;

// Larger type on request (Ctrl + and Ctrl - on the main menu): 100 %, 125 % or 150 % of
// every text, kept between runs in the settings of the account using the program.
namespace typesize {

// Reads the kept size; before the first screen is built.
void load();
// Keeps the new size and applies it to every screen created so far.
void set(Module &module, double factor);
void larger(Module &module);
void smaller(Module &module);
// "125%"
QString percentText();

} // namespace typesize
} // namespace censaria
