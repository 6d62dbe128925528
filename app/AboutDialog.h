#pragma once

#include "WidgetScaler.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// The modal "Über" dialog: program version, the maker's contact data, the
// author and the licence notices of the components taken from other projects.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~AboutDialog() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    // Version and both rich texts; again after every language change, because
    // re-translating the form resets them.
    void fillTexts();
    [[nodiscard]] QString licenseText() const;
    [[nodiscard]] QString contactText() const;

    std::unique_ptr<Ui::AboutDialog> m_ui;
    WidgetScaler m_scaler{this};
};
