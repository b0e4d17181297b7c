#include "ErrorReport.h"

#include "app/ApplicationTitle.h"
#include "app/FocusReturn.h"

#include <QMessageBox>

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorReport(QWidget* window, const QString& message)
{
    const FocusReturn focusReturn;
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QMessageBox box(QMessageBox::Critical, applicationTitle(), ErrorReportText(message),
        QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
