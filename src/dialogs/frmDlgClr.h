#pragma once
// The colour picker: 216 swatches of six levels per primary and the colour as six
// hexadecimal digits (blue, green, red). "Ok" gives the colour, the starting one when the
// text is empty; "Cancel" and the close box give nothing.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;

namespace tabulo {

class frmDlgClr : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwatches = 216;

    explicit frmDlgClr(uint32_t colour, QWidget* parent = nullptr);

    // The colour chosen with "Ok"; nullopt until then.
    const std::optional<uint32_t>& Result() const { return result_; }

    // "0000FF" for red: the value in hexadecimal, padded to six digits.
    static QString ClrHex(uint32_t colour);
    QLabel* lblClr(int k) const { return swatches_[k]; } // 0 is the pattern, 1..216 shown

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateSwatches();
    void Ok();

    std::vector<QLabel*> swatches_;
    std::vector<uint32_t> swatchColours_;
    uint32_t start_;
    std::optional<uint32_t> result_;
    QLineEdit* txtClr_;
};

} // namespace tabulo
