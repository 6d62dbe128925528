#include "SpindleRunWidget.h"

#include "MessagePresenter.h"

SpindleRunWidget::SpindleRunWidget(DatasetController *datasetController,
                                   CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent), m_datasetController(datasetController), m_communicationController(communicationController)
{
}

SpindleRunWidget::~SpindleRunWidget() = default;

void SpindleRunWidget::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter;
}
