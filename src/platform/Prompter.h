#pragma once

#include <QString>

// Message boxes. Texts, titles, icons and buttons are given exactly by the caller; tests
// pre-answer them through a scripted double.
class Prompter
{
public:
    enum class Icon { None, Critical, Question, Warning, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message
    {
        QString text;
        QString title; // empty: the application title
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    virtual ~Prompter() = default;
    virtual Answer ask(const Message &message) = 0;

    void tell(const QString &text, const QString &title, Icon icon)
    {
        ask({text, title, icon, Buttons::Ok});
    }
};

inline const QString kApplicationTitle = QStringLiteral("Orvane");
