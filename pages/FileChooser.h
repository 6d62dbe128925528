#pragma once

#include <QString>

class QWidget;

// The file dialogs of the pages. The default runs the platform's open and save
// dialogs; tests put a scripted chooser in its place so that no modal dialog
// opens. Both functions answer an empty text when the user cancels.
class FileChooser
{
public:
    FileChooser() = default;
    virtual ~FileChooser();
    FileChooser(const FileChooser &) = delete;
    FileChooser &operator=(const FileChooser &) = delete;

    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
};
