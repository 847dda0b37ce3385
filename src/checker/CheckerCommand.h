#pragma once

#include <QStringList>

class QTextStream;

// The command-line checker: reads a settings file exactly as "Load settings" does and prints
// each message the load would show as "<caption>: <text>"; with --write it goes on as
// "Create Setting file" does. `arguments` holds the program name first.
// Exit status: 0 the file loaded cleanly (and was written), 1 a value failed (or a check
// stopped the write), 2 the file is missing or unreadable, the output could not be written,
// or the command line is wrong.
int RunNetconfCheck(const QStringList &arguments, QTextStream &out, QTextStream &err);
