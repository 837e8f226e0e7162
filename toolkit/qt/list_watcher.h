#pragma once

#include <QAbstractItemView>
#include <QObject>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

// A list box's mouse input on its item area, and its selection changes.
class ListWatcher : public QObject {
public:
    ListWatcher(QAbstractItemView& list, Happenings& happenings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NativeId list_;
    Happenings& happenings_;
};

}  // namespace quillmoor::toolkit::qt
