#pragma once

#include <QDialog>

class LumoButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class cInifile;
struct Services;

// The cam dialog: adds a cam to the favourites file or changes one. The caller sets the
// public members on a fresh dialog, then calls start() and shows it.
class frmAddModify : public QDialog
{
    Q_OBJECT
public:
    frmAddModify(Services &services, cInifile &favorites, QWidget *parent = nullptr);

    bool ModifyMode = false;
    QString camTitle, camLocal, camRate;

    // Fills the boxes from the members: the dialog's opening.
    void start();
    bool applied() const { return m_applied; }

    void onChkRateClick();
    void onCmdApplyMouseUp(int button, int shift, int x, int y);
    void onCmdCancelMouseUp(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Services &m_services;
    cInifile &m_favorites;
    QLineEdit *m_txtTitle, *m_txtLocation;
    QCheckBox *m_chkRate;
    QComboBox *m_cboRate;
    QLabel *m_lblSeconds;
    LumoButton *m_cmdApply, *m_cmdCancel;
    bool m_applied = false;
};
