#pragma once

// The benchmarks paint on Qt's offscreen platform, which warns every time a window is
// raised and on other window features it lacks: thousands of lines that would bury
// the figures. Only those known messages are kept out; every other one is printed as
// Qt prints it.
void keepOffscreenNoiseOut();
