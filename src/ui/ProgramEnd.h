#pragma once

namespace ui {

// Thrown by App::End. Deliberately not a std::exception, so that a handler
// catching std::exception cannot swallow the end of the program; only the
// event boundary catches it.
struct ProgramEnd {};

} // namespace ui
