// Records every message box and modal dialog instead of showing it, so that a
// test never waits on a real modal event loop. Questions are answered with
// `answer`; a dialog is handed to `onDialog` (if set) and reported accepted.
#pragma once

#include "MessagePresenter.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class RecordingPresenter : public MessagePresenter
{
public:
    struct Box
    {
        QString kind; // "information", "critical", "warning", "question" or "confirm"
        QWidget *parent = nullptr;
        QString title;
        QString text;
        QString details;
    };

    QVector<Box> boxes;
    bool answer = true;
    std::function<void(QDialog &)> onDialog;

    void information(QWidget *parent, const QString &title, const QString &text) override
    {
        boxes.append({QStringLiteral("information"), parent, title, text, {}});
    }
    void critical(QWidget *parent, const QString &title, const QString &text, const QString &details) override
    {
        boxes.append({QStringLiteral("critical"), parent, title, text, details});
    }
    void warning(QWidget *parent, const QString &title, const QString &text, const QString &details) override
    {
        boxes.append({QStringLiteral("warning"), parent, title, text, details});
    }
    bool question(QWidget *parent, const QString &title, const QString &text) override
    {
        boxes.append({QStringLiteral("question"), parent, title, text, {}});
        return answer;
    }
    bool detailedQuestion(QWidget *parent, const QString &title, const QString &text,
                          const QString &details) override
    {
        boxes.append({QStringLiteral("question"), parent, title, text, details});
        return answer;
    }
    bool confirmWarning(QWidget *parent, const QString &title, const QString &text, const QFont &) override
    {
        boxes.append({QStringLiteral("confirm"), parent, title, text, {}});
        return answer;
    }
    bool questionInFont(QWidget *parent, const QString &title, const QString &text, const QFont &) override
    {
        boxes.append({QStringLiteral("question"), parent, title, text, {}});
        return answer;
    }
    int runModal(QDialog &dialog) override
    {
        if (onDialog)
            onDialog(dialog);
        return QDialog::Accepted;
    }

    // The texts of the boxes so far, in order.
    QStringList texts() const
    {
        QStringList list;
        for (const Box &box : boxes)
            list << box.text;
        return list;
    }
};
