#pragma once

#include <QObject>

class CamTree;
class CamViewer;
class QComboBox;
struct Services;
struct WebcamWidgets;

// The address bar: a cam title selects and shows that cam, a picture address is downloaded and
// shown, any other web address opens in the user's browser. Its list holds "Homepage",
// "Webcams" and the cams in file order, then the web addresses typed under "Webpages".
class AddressBar : public QObject
{
    Q_OBJECT
public:
    AddressBar(Services &services, const WebcamWidgets &widgets, CamTree &tree, CamViewer &viewer,
               QObject *parent);

    void ReloadAddressCombo();
    // The item of a cam chosen in the tree, when the list holds it.
    void showCam(const QString &title);
    // The address bar's input: a cam title, a picture address or a web page.
    void ParseAddressChange();
    void onImageCombo1Change();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void colourAddress(const QString &text);

    Services &m_services;
    const WebcamWidgets &m_w;
    QComboBox *m_cboAddress;
    CamTree &m_tree;
    CamViewer &m_viewer;
};
