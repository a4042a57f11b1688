#pragma once

#include <QLineEdit>

class QLabel;

// A one-line edit with its caption label standing on its right-hand side,
// a few pixels away and centred on it vertically. The label moves with the
// edit and has the same parent.
class LabeledEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int LabelSpacing = 3;

    LabeledEdit(const QString& caption, QWidget* parent);

    QLabel* EditLabel() const { return m_label; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeLabel();

    QLabel* m_label;
};
