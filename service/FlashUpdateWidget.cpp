#include "FlashUpdateWidget.h"

#include "MessagePresenter.h"

FlashUpdateWidget::FlashUpdateWidget(DatasetController *datasetController,
                                   CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent), m_datasetController(datasetController), m_communicationController(communicationController)
{
}

FlashUpdateWidget::~FlashUpdateWidget() = default;

void FlashUpdateWidget::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter;
}
