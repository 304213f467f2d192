#pragma once

#include <string>

// What "Über Vellmora" tells (Windows-1252): the program, its version, what it
// does, where its data come from under which licences, and its own licence.

namespace vellmora {

// The program's version, the project version of the build.
std::string ProgramVersion();

// The dialog's title, "Über Vellmora".
std::string AboutTitle();

// The dialog's text: paragraphs separated by empty lines.
std::string AboutText();

}  // namespace vellmora
