#pragma once
#include <QHash>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMdiArea;
class QTimer;

// The main window: MDI frame with menu, toolbar, status bar and clock.
class TFmain1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TFmain1(QWidget* parent = nullptr);
    static TFmain1* instance();

    // The menu item with this caption ("采购", "销售单据", …); the top-level items too.
    QAction* action(const QString& caption) const { return actions_.value(caption); }
    QStringList actionCaptions() const { return actions_.keys(); }
    QMdiArea* mdiArea() const { return mdi_; }

    // Reads the operator's permissions and enables the items (once per run).
    void applyPermissions();
    // Caption from the shop row.
    bool rebuildCaption();
    void showNavigationChart();
    void setChartTicked(bool on);

    // Captions of the status panels.
    QString statusText(int panel) const;
    static QString clockText(const QDateTime& t);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QAction* item(QMenu* menu, const QString& caption, const QString& windowClass);
    void openWindow(const QString& windowClass);

    QMdiArea* mdi_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QString> windowOf_;
    QList<QLabel*> panels_;
    QTimer* clock_;
    bool permissionsApplied_ = false;
};
