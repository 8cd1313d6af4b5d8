#pragma once

#include "ui/message_box.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

// Stands in for the message boxes while it lives: records every box and answers from a script
// (OK when the script is empty). A procedure can run "while the box is open", as the timer
// would in the real program.
class CMessageRecorder {
public:
    struct Box {
        QString text;
        unsigned nType;
    };

    CMessageRecorder();
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    void WhileOpen(std::function<void()> procedure) { m_whileOpen = std::move(procedure); }

    const std::vector<Box>& Boxes() const { return m_boxes; }
    QString Last() const { return m_boxes.empty() ? QString() : m_boxes.back().text; }
    std::size_t Count() const { return m_boxes.size(); }
    void Clear() { m_boxes.clear(); }

private:
    std::vector<Box> m_boxes;
    std::deque<int> m_answers;
    std::function<void()> m_whileOpen;
    MessageBoxHandler m_previous;
};
