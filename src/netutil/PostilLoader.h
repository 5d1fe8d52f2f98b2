#pragma once

#include <QString>

class QWidget;

// The mail checker control, made by the Postil library in the application folder.
struct PostilLoad
{
    QWidget *control = nullptr; // null when the library could not be used
    QString error;              // then why, in the loader's words
};

PostilLoad loadPostil(const QString &appFolder, QWidget *parent);
