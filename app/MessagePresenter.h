#pragma once

#include <QString>

class QDialog;
class QWidget;

// Every message box and modal dialog of the window goes through one presenter,
// so that tests can record what would have been shown instead of running a
// modal event loop. The default shows QMessageBox boxes and runs dialogs with
// exec(); a recording subclass overrides the six functions.
//
// A null parent makes a box without parent (application modal). All boxes but
// the questions have a single OK button.
class MessagePresenter
{
public:
    MessagePresenter() = default;
    virtual ~MessagePresenter();
    MessagePresenter(const MessagePresenter &) = delete;
    MessagePresenter &operator=(const MessagePresenter &) = delete;

    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void critical(QWidget *parent, const QString &title, const QString &text,
                          const QString &detailedText = QString());
    virtual void warning(QWidget *parent, const QString &title, const QString &text,
                         const QString &detailedText = QString());
    // Yes and No, Yes as default; true when the user chose Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text);
    // The same question with a detailed text behind the box's details button.
    virtual bool detailedQuestion(QWidget *parent, const QString &title, const QString &text,
                                  const QString &detailedText);
    // Runs a dialog modally; answers its result code.
    virtual int runModal(QDialog &dialog);
};
