#include "message_recorder.h"

CMessageRecorder::CMessageRecorder() {
    m_previous = SetMessageBoxHandler([this](QWidget*, const QString& text, unsigned nType) {
        m_boxes.push_back({text, nType});
        if (m_whileOpen) {
            auto procedure = std::move(m_whileOpen);
            m_whileOpen = nullptr;
            procedure();
        }
        if (m_answers.empty())
            return IDOK;
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    });
}

CMessageRecorder::~CMessageRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}
