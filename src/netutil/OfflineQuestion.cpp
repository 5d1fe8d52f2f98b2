#include "netutil/OfflineQuestion.h"

#include "platform/Prompter.h"
#include "widgets/TipPanel.h"

#include <QStringList>

bool goOnWhenOffline(bool connected, Prompter &prompter, TipPanel &tips, const QString &getWhat)
{
    if (connected)
        return true;
    const QString text
        = QStringList{QString(),
                      QStringLiteral("It does not appear that you are connected to the Internet."),
                      QStringLiteral("This may be an error.  If you cannot %1 or if the")
                          .arg(getWhat),
                      QStringLiteral("application shuts down, then most likely you did not have "
                                     "a connection."),
                      QStringLiteral("Do you wish to continue?")}
              .join(u'\n');
    const Prompter::Answer answer = prompter.ask({text, QStringLiteral("Internet Connection?"),
                                                  Prompter::Icon::None, Prompter::Buttons::YesNo});
    tips.hide();
    return answer == Prompter::Answer::Yes;
}
