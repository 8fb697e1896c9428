#pragma once
#include <QLabel>
#include <QWidget>

// A label on the chart that performs a menu item; its text turns green under the mouse.
class ChartLabel : public QLabel {
    Q_OBJECT
public:
    ChartLabel(const QString& text, const QString& menuItem, QWidget* parent);
    QString menuItem() const { return item_; }
    void perform();
protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
private:
    QString item_;
};

// The business navigation chart, shown inside the main window at start.
class TFdaohang1 : public QWidget {
    Q_OBJECT
public:
    explicit TFdaohang1(QWidget* parent = nullptr);
    ~TFdaohang1() override;
    QList<ChartLabel*> labels() const;
protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
private:
    QRect banner() const;
};
