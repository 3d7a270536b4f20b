#include "scripted_dialogs.h"

#include <stdexcept>

namespace {

class ScriptedDialog : public FileDialog {
 public:
  explicit ScriptedDialog(DialogScript& script) : script_(script) {}

  bool execute() override {
    ++script_.shown;
    if (script_.answers.empty()) throw std::logic_error("a file dialog nobody expected");
    const std::optional<DialogAnswer> answer = script_.answers.front();
    script_.answers.pop_front();
    if (!answer) return false;
    confirmed_ = *answer;
    return true;
  }
  QString fileName() const override { return confirmed_.fileName; }
  int filterIndex() const override { return confirmed_.filter; }
  void setFileName(const QString& fileName) override {
    script_.given << fileName;
    confirmed_.fileName = fileName;
  }
  void proposeFileName(const QString& fileName) override { script_.proposed << fileName; }

 private:
  DialogScript& script_;
  DialogAnswer confirmed_;
};

}  // namespace

FileDialogFactory ScriptedDialogs::factory() {
  return [this](QWidget*, const FileDialogOptions& options) -> std::unique_ptr<FileDialog> {
    DialogScript& script = options.kind == FileDialogOptions::Kind::Save ? save : open;
    script.made.append(options);
    return std::make_unique<ScriptedDialog>(script);
  };
}
