#include "dialogs/MaskedKeys.h"

#include "base/modLIB.h"
#include "dialogs/QtText.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tabulo {
namespace {

class MaskedKeys : public QObject {
public:
    MaskedKeys(QLineEdit* box, std::string codes)
        : QObject(box), box_(box), codes_(std::move(codes)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::KeyPress) return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || typed[0].unicode() < 32 || typed[0].unicode() == 127) return false;
        const auto key = static_cast<unsigned char>(FromQString(typed).front());
        const int accepted = modLIB::FilterKey(key, codes_);
        if (accepted == key) return false;
        if (accepted != 0) box_->insert(ToQString(std::string(1, static_cast<char>(accepted))));
        return true;
    }

private:
    QLineEdit* box_;
    std::string codes_;
};

} // namespace

void FilterTypedKeys(QLineEdit* box, const std::string& codes) {
    box->installEventFilter(new MaskedKeys(box, codes));
}

} // namespace tabulo
