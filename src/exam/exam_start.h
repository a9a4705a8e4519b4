#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include "core/screen.h"
#include "exam/exam_paper.h"

class QPushButton;

namespace trelvo {

class AppContext;
class PictureBox;

// The instructions before a mock exam, modal over the screen that opened it. Its start button
// replaces that screen with the exam start screen.
class ExamDialog final : public QDialog {
    Q_OBJECT
  public:
    ExamDialog(AppContext& app, QWidget* opener);

    void init(QWidget* opener) { dialog_opener_ = opener; }

    // Creates the dialog for `opener`, shows it modal and returns when it has closed.
    static void open_modal(AppContext& app, QWidget* opener);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void start_exam();
    void set_start_picture(const QString& file);

    AppContext& app_;
    QPointer<QWidget> dialog_opener_;
    PictureBox* img_start_exam;
    bool starting_ = false;
};

// The test hall's start page; its confirm button opens the exam screen for the current category.
class ExamInit final : public Screen {
    Q_OBJECT
  public:
    explicit ExamInit(AppContext& app);

    bool exam_started() const { return exam_started_; }
    // The message shown when the question bank cannot fill a paper (null when none is shown).
    QMessageBox* shortage_message() const { return shortage_message_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void start_exam();
    void read_pools();

    AppContext& app_;
    PictureBox* img_exam_init;
    QPushButton* cmd_start_exam;
    QPointer<QMessageBox> shortage_message_;
    std::optional<ExamPools> pools_;
    bool exam_started_ = false;
    bool leaving_ = false;
};

}  // namespace trelvo
