#pragma once

#include <QLineEdit>

// A read-only field that shows a result. Its typing limit holds for what a user would type,
// never for what the program writes: QLineEdit's own maximum length would cut a result such
// as "-14" to "-1".
class ResultEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int typingLimit READ typingLimit WRITE setTypingLimit)
public:
    explicit ResultEdit(QWidget* parent = nullptr);

    int typingLimit() const { return m_typingLimit; }
    void setTypingLimit(int limit) { m_typingLimit = limit; }

private:
    int m_typingLimit = 32767;
};
