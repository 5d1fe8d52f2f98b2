#pragma once

#include <QString>

class MailCheckerFactory;
class QWidget;

// The mail checker control, made by the Postil library in the application folder.
struct PostilLoad
{
    QWidget *control = nullptr; // null when the library could not be used
    QString error;              // then why, in the loader's words
    // Makes checkers by protocol; null when the library offers only the POP3 control. It
    // lives as long as the process: the library stays loaded.
    MailCheckerFactory *checkers = nullptr;
};

PostilLoad loadPostil(const QString &appFolder, QWidget *parent);
