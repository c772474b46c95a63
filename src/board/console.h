// The core's console: every line the core prints for the windowed program's
// console (moves played, reports, diagnostics) goes through ConsolePrint.
// The program leaves it on the standard output; a tool that speaks a protocol
// silences it or turns each line into a comment of its protocol, so that
// nothing but protocol lines leaves the tool on either stream.
#pragma once

#include <cstdio>

// Receives text exactly as printed (the core's lines begin with "\n").
typedef void (*CONSOLE_SINK_F)(const char* text);

void ConsolePrint(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
// Flushes the sink: the standard output, or a comment line not yet ended.
void ConsoleFlush();

// The default sink: the standard output, as the program has always printed.
void ConsoleToStdout(const char* text);
// Installs a sink (null silences the console); answers the previous one.
CONSOLE_SINK_F SetConsoleSink(CONSOLE_SINK_F sink);
// Every non-empty line the core prints becomes `prefix` + line + "\n" on out
// ("# " for xboard, "info string " for UCI), written whole under a lock that
// the tool's own lines take too (ConsoleWriteLine). A line is written once
// its end is printed, or at ConsoleFlush.
void ConsoleToComments(FILE* out, const char* prefix);
// A protocol line of the tool's own (a newline is added): any comment line
// begun is finished first, and both never interleave.
void ConsoleWriteLine(FILE* out, const char* line);
