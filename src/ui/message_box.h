#pragma once

#include <functional>

class QString;
class QWidget;

// Box types and answers, as the game's messages name them.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// A modal message box captioned with the application title "Ravelo2": type MB_OK shows one OK
// button, MB_OKCANCEL | MB_ICONQUESTION asks with OK and Cancel. Returns IDOK or IDCANCEL
// (closing the box counts as Cancel when there is one, as OK otherwise).
int AfxMessageBox(const QString& text, unsigned nType = MB_OK);

// The box that AfxMessageBox shows; tests put a recorder in its place. Returns the previous one.
using MessageBoxHandler = std::function<int(QWidget* pParent, const QString& text, unsigned nType)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
