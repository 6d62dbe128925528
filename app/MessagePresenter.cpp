#include "MessagePresenter.h"

#include <QDialog>
#include <QMessageBox>

namespace {

void showBox(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
             const QString &detailedText)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    if (!detailedText.isEmpty())
        box.setDetailedText(detailedText);
    box.exec();
}

} // namespace

MessagePresenter::~MessagePresenter() = default;

void MessagePresenter::information(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::Information, parent, title, text, QString());
}

void MessagePresenter::critical(QWidget *parent, const QString &title, const QString &text,
                                const QString &detailedText)
{
    showBox(QMessageBox::Critical, parent, title, text, detailedText);
}

void MessagePresenter::warning(QWidget *parent, const QString &title, const QString &text,
                               const QString &detailedText)
{
    showBox(QMessageBox::Warning, parent, title, text, detailedText);
}

bool MessagePresenter::question(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool MessagePresenter::detailedQuestion(QWidget *parent, const QString &title, const QString &text,
                                        const QString &detailedText)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    if (!detailedText.isEmpty())
        box.setDetailedText(detailedText);
    return box.exec() == QMessageBox::Yes;
}

bool MessagePresenter::confirmWarning(QWidget *parent, const QString &title, const QString &text,
                                      const QFont &font)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setFont(font);
    return box.exec() == QMessageBox::Ok;
}

bool MessagePresenter::questionInFont(QWidget *parent, const QString &title, const QString &text,
                                      const QFont &font)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setFont(font);
    return box.exec() == QMessageBox::Yes;
}

int MessagePresenter::runModal(QDialog &dialog)
{
    return dialog.exec();
}
