#include "UnsavedChanges.h"

#include "MessagePresenter.h"

bool UnsavedChanges::confirmDiscard(MessagePresenter &presenter, QWidget *parent, int changes,
                                    const QString &actionQuestion)
{
    if (changes <= 0)
        return true;
    return presenter.question(parent, tr("Torvana"), questionText(changes, actionQuestion));
}

QString UnsavedChanges::questionText(int changes, const QString &actionQuestion)
{
    return tr("%n Parameter weichen vom Umrichter ab und sind dort noch nicht gespeichert. "
              "Diese Änderungen gehen dabei verloren.\n\n",
              nullptr, changes)
        + actionQuestion;
}
