#include "support/Fakes.h"

Prompter::Answer ScriptedPrompter::ask(const Message &message)
{
    shown.append(message);
    if (whileOpen)
        std::exchange(whileOpen, nullptr)();
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (message.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}
