// Answers the dialogs of the program under test as a person would, and records what each
// dialog showed. While a DialogScript lives, a timeout looks every 10 ms for a visible
// message dialog or file chooser that has not been answered yet, records it and answers it
// with the next scripted answer. A dialog that finds the script empty fails the test and is
// closed, so that no test can hang on it.
#pragma once

#include <gtk/gtk.h>

#include <ostream>
#include <string>
#include <vector>

namespace gui_test {

struct DialogButton {
    std::string label; // the stock id for stock buttons ("gtk-ok")
    int response;
    bool operator==(const DialogButton&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const DialogButton& button) {
    return out << button.label << "=" << button.response;
}

struct DialogSeen {
    bool is_chooser = false;
    GtkMessageType type = GTK_MESSAGE_OTHER; // message dialogs
    std::string text;                        // message dialogs: the primary text
    std::string title;                       // the window title
    std::vector<DialogButton> buttons;       // in the order shown
    GtkWindow* parent = nullptr;
    bool destroy_with_parent = false;
    GtkWindowPosition position = GTK_WIN_POS_NONE;
    bool has_icon = false;
    // File choosers only:
    GtkFileChooserAction action = GTK_FILE_CHOOSER_ACTION_OPEN;
    std::string current_folder;
    std::vector<std::string> filter_names;
    std::string active_filter;
    bool overwrite_confirmation = false;
};

class DialogScript {
  public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The next dialog gets this response (message dialogs, or a chooser to cancel).
    DialogScript& answer(int response);
    // The next dialog is a file chooser: the file name is set and OK is pressed.
    DialogScript& choose_file(const std::string& path);

    const std::vector<DialogSeen>& seen() const { return seen_; }
    // The texts of the message dialogs seen, in order.
    std::vector<std::string> texts() const;
    bool all_answered() const { return next_ == answers_.size(); }

  private:
    struct Answer {
        int response;
        std::string path; // set: choose this file
    };
    static gboolean on_tick(gpointer self);
    void look_for_dialogs();
    void handle(GtkWidget* dialog);

    // A file chooser works in the background: it loads its folder, and it checks a typed
    // name before it lets OK through (and may swallow an OK meanwhile). So it is looked at a
    // little after it opens, OK is pressed once it holds the scripted file name, and pressed
    // again while it stays open.
    enum class ChooserStep { none, to_record, to_press_ok, pressed };
    void step_chooser();
    void forget_chooser();
    GtkWidget* chooser_ = nullptr; // weak: null once the chooser is gone
    std::string chooser_path_;
    ChooserStep chooser_step_ = ChooserStep::none;
    gint64 chooser_due_ = 0;
    int chooser_tries_ = 0;
    void record_and_answer(GtkWidget* dialog);

    std::vector<Answer> answers_;
    size_t next_ = 0;
    std::vector<DialogSeen> seen_;
    guint timeout_id_ = 0;
};

} // namespace gui_test
