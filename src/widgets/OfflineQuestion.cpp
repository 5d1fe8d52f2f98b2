#include "widgets/OfflineQuestion.h"

#include "common/ScopedFlag.h"
#include "platform/Prompter.h"
#include "widgets/TipPanel.h"

#include <QStringList>

OfflineQuestion::OfflineQuestion(Prompter &prompter, TipPanel &tips)
    : m_prompter(prompter)
    , m_tips(tips)
{
}

bool OfflineQuestion::goOn(bool connected, const QString &getWhat)
{
    if (connected)
        return true;
    if (m_open)
        return false;
    const QString text
        = QStringList{QString(),
                      QStringLiteral("It does not appear that you are connected to the Internet."),
                      QStringLiteral("This may be an error.  If you cannot %1 or if the")
                          .arg(getWhat),
                      QStringLiteral("application shuts down, then most likely you did not have "
                                     "a connection."),
                      QStringLiteral("Do you wish to continue?")}
              .join(u'\n');
    Prompter::Answer answer;
    {
        const ScopedFlag asking(m_open);
        answer = m_prompter.ask({text, QStringLiteral("Internet Connection?"), Prompter::Icon::None,
                                 Prompter::Buttons::YesNo});
    }
    m_tips.hide();
    return answer == Prompter::Answer::Yes;
}
