#pragma once

#include <QString>

// The numbered strings of the program: the application title, the idle text, the two
// indicator strings and the status-bar prompts of the commands (a prompt may be followed by a
// line feed and a short name that nothing shows). An unknown number gives an empty string.
QString LoadString(int nId);

// The prompt part of a command's string: everything before the first line feed.
QString LoadPrompt(int nId);
