#pragma once

#include <QObject>
#include <QPointer>
#include <QTabWidget>

namespace quillmoor::toolkit::qt {

// A tab panel's events. Only the shown tab's page is enabled: the page that loses the
// selection is disabled with it, so that its widgets leave the Tab order.
class PanelWatcher : public QObject {
public:
    PanelWatcher(int gadget, int window, QTabWidget& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPage(int index);

    int gadget_;
    int window_;
    QTabWidget& panel_;
    QPointer<QWidget> shownPage_;
};

}  // namespace quillmoor::toolkit::qt
