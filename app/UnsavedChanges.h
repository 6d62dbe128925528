#pragma once

#include <QCoreApplication>
#include <QString>

class MessagePresenter;
class QWidget;

// The one question before an action that replaces the working copy while it
// holds changes the inverter does not have: "Vom Umrichter laden", closing the
// window, and loading a parameter set file, a built-in motor type or a motor
// memory. Without changes nothing is asked.
class UnsavedChanges
{
    Q_DECLARE_TR_FUNCTIONS(UnsavedChanges)

public:
    // True when the action may go on: no changes, or the user chose Yes.
    // actionQuestion is the caller's translated closing question
    // ("Trotzdem vom Umrichter laden?").
    static bool confirmDiscard(MessagePresenter &presenter, QWidget *parent, int changes,
                               const QString &actionQuestion);
    // The question's text, for pages that ask through their own boxes.
    [[nodiscard]] static QString questionText(int changes, const QString &actionQuestion);
};
