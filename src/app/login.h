#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The login window: operator name from the list, password checked against its hash.
class TFdl1 : public QDialog {
    Q_OBJECT
public:
    explicit TFdl1(QWidget* parent = nullptr);
    QComboBox* nameBox() const { return yhmc_; }
    QLineEdit* passwordBox() const { return yhmm_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // Fills the list; false when the query fails.
    bool loadNames();
    void tryLogin();
    bool cancelled() const { return cancelled_; }
protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
private:
    QComboBox* yhmc_;
    QLineEdit* yhmm_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};
