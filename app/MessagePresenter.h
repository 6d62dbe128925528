#pragma once

#include <QString>

class QDialog;
class QFont;
class QWidget;

// Every message box and modal dialog of the window goes through one presenter,
// so that tests can record what would have been shown instead of running a
// modal event loop. The default shows QMessageBox boxes and runs dialogs with
// exec(); a recording subclass overrides them all.
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
    // The service pages' confirmations, in the font they give: Ok and Cancel
    // with a warning icon (Ok as default, true for Ok), and Yes and No (Yes as
    // default, true for Yes).
    virtual bool confirmWarning(QWidget *parent, const QString &title, const QString &text, const QFont &font);
    virtual bool questionInFont(QWidget *parent, const QString &title, const QString &text, const QFont &font);
    // Runs a dialog modally; answers its result code.
    virtual int runModal(QDialog &dialog);
};
