#pragma once

// Frame1: the input panel's controls over an InputPanel model. The line edits
// forward each edit to the model and show the model's texts; the buttons run the
// window's commands.

#include "Command.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class ProjectWindowModel;

class InputPanelView : public QFrame
{
    Q_OBJECT
public:
    explicit InputPanelView(ProjectWindowModel &model, QWidget *parent = nullptr);

    QLineEdit *field(int k) const { return m_fields[size_t(k)]; } // Text(0)..Text(10)
    QPushButton *command(Command command) const { return m_commands[size_t(command)]; }
    QLabel *label(int k) const { return m_labels[size_t(k)]; } // Label1..Label11 as 0..10

    void layoutControls(); // the controls at their twip positions
    void setFontPointSize(int size);
    void setLabelTips(const std::array<QString, 11> &tips);
    void setCellEntryName(const QString &name); // the cell entry field has no label

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();

    ProjectWindowModel &m_model;
    std::array<QLineEdit *, 11> m_fields{};
    QLineEdit *m_decimals = nullptr;
    std::array<QPushButton *, CommandCount> m_commands{};
    std::array<QLabel *, 11> m_labels{};
    QLabel *m_title = nullptr;   // Label13
    QLabel *m_program = nullptr; // Label12
};

} // namespace pelmora
