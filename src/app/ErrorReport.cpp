#include "ErrorReport.h"

#include "app/ApplicationTitle.h"
#include "app/Presenter.h"

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

std::unique_ptr<QMessageBox> MakeErrorReportBox(QWidget* window, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("ErrorReport"));
    box->setTextFormat(Qt::PlainText);
    return box;
}

void ShowErrorReport(QWidget* window, const QString& message)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    presenter().ShowErrorReport(window, ErrorReportText(message));
}
