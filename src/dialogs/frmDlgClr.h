#pragma once
// The colour picker: 216 swatches of six levels per primary and the colour as six
// hexadecimal digits (blue, green, red). "Ok" leaves the colour in DlgColor; "Cancel" and
// the close box leave DlgColor as it was.

#include <QDialog>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;

namespace tabulo {

class frmDlgClr : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwatches = 216;

    explicit frmDlgClr(QWidget* parent = nullptr);

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
    QLineEdit* txtClr_;
};

} // namespace tabulo
