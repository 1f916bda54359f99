// The command-line tool's "logo" commands, over the same loading, conversion and upload as the
// logo window.
//
//   logo send FILE [--brightness B] [--contrast C] [--threshold] [--preview OUT.png]: loads the
//     bitmap FILE as LOAD does, converts it with brightness B (-128 to 128, default 0), contrast C
//     (0 to 255, default 128) and the plain threshold when --threshold is given, then uploads it with
//     0x24 as SEND TO SCALE does. --preview also writes the converted picture (before the upload).
//   logo preview FILE OUT.png [--brightness B] [--contrast C] [--threshold]: the conversion only,
//     written as a PNG of 384 dots by the picture's rows, each pure black or pure white; no port.
//
// Exit codes: 0 done, 1 "Communication Error!" (the rows before it stay on the scale), 3 a file that
// cannot be opened or is not a bitmap (the loader's message; nothing sent), 4 "I/O Error!" writing
// the preview (nothing sent), 64 a brightness or contrast outside its range.
#pragma once

#include "cli/Cli.h"

ParseResult parseLogo(const std::vector<std::string>& args);
