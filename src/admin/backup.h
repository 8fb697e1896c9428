#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// Proposed backup file name for a day: backup folder + "KXR" + yyyymmdd + ".bak".
QString proposedBackupPath(const QDate& day);
// A name chosen in the dialog: used unchanged if it contains ".bak" anywhere, else ".bak" appended.
QString withBakSuffix(const QString& chosen);

// The backup window: writes a consistent copy of the database.
class TFbeifen1 : public QDialog {
    Q_OBJECT
public:
    explicit TFbeifen1(QWidget* parent = nullptr);
    QLineEdit* pathBox() const { return path_; }
    void browse();
    void backup();
    // Replaces the save dialog (tests): returns the chosen name or empty.
    static void setFileChooser(std::function<QString(const QString& folder, const QString& proposed)> f);
protected:
    void showEvent(QShowEvent* e) override;
private:
    QLineEdit* path_;
    QPushButton* browse_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
