// Scripted answers to the dialogs of the program under test.
#include "dialog_script.h"

#include <gtest/gtest.h>

namespace gui_test {

namespace {
constexpr const char* HANDLED_KEY = "gui-test-handled";

std::string text_property(GObject* object, const char* name) {
    gchar* value = nullptr;
    g_object_get(object, name, &value, nullptr);
    std::string text = value != nullptr ? value : "";
    g_free(value);
    return text;
}
} // namespace

DialogScript::DialogScript() { timeout_id_ = g_timeout_add(10, &DialogScript::on_tick, this); }

DialogScript::~DialogScript() {
    g_source_remove(timeout_id_);
    forget_chooser();
}

DialogScript& DialogScript::answer(int response) {
    answers_.push_back({response, ""});
    return *this;
}

DialogScript& DialogScript::choose_file(const std::string& path) {
    answers_.push_back({GTK_RESPONSE_OK, path});
    return *this;
}

std::vector<std::string> DialogScript::texts() const {
    std::vector<std::string> found;
    for (const DialogSeen& dialog : seen_) {
        if (!dialog.is_chooser) {
            found.push_back(dialog.text);
        }
    }
    return found;
}

gboolean DialogScript::on_tick(gpointer self) {
    static_cast<DialogScript*>(self)->look_for_dialogs();
    return TRUE;
}

void DialogScript::forget_chooser() {
    if (chooser_ != nullptr) {
        g_object_remove_weak_pointer(G_OBJECT(chooser_), reinterpret_cast<gpointer*>(&chooser_));
    }
    chooser_ = nullptr;
    chooser_step_ = ChooserStep::none;
}

void DialogScript::step_chooser() {
    if (g_get_monotonic_time() < chooser_due_) {
        return;
    }
    chooser_due_ = g_get_monotonic_time() + 150000;
    if (chooser_ == nullptr || !gtk_widget_get_visible(chooser_)) {
        forget_chooser();
        return;
    }
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(chooser_);
    switch (chooser_step_) {
    case ChooserStep::to_record:
        record_and_answer(chooser_);
        return;
    case ChooserStep::to_press_ok: {
        gchar* name = gtk_file_chooser_get_filename(chooser);
        const bool holds_path = name != nullptr && chooser_path_ == name;
        g_free(name);
        if (!holds_path && ++chooser_tries_ < 40) {
            gchar* folder = g_path_get_dirname(chooser_path_.c_str());
            gchar* base = g_path_get_basename(chooser_path_.c_str());
            gtk_file_chooser_set_current_folder(chooser, folder);
            gtk_file_chooser_set_current_name(chooser, base);
            g_free(folder);
            g_free(base);
            return;
        }
        EXPECT_TRUE(holds_path) << "the chooser never took " << chooser_path_;
        chooser_step_ = ChooserStep::pressed;
        gtk_dialog_response(GTK_DIALOG(chooser_), GTK_RESPONSE_OK);
        return;
    }
    case ChooserStep::pressed:
        gtk_dialog_response(GTK_DIALOG(chooser_), GTK_RESPONSE_OK);
        return;
    case ChooserStep::none:
        return;
    }
}

void DialogScript::look_for_dialogs() {
    if (chooser_step_ != ChooserStep::none) {
        step_chooser();
        return;
    }
    GList* toplevels = gtk_window_list_toplevels();
    for (GList* item = toplevels; item != nullptr; item = item->next) {
        GtkWidget* window = GTK_WIDGET(item->data);
        if (!GTK_IS_DIALOG(window) || !gtk_widget_get_visible(window) ||
            g_object_get_data(G_OBJECT(window), HANDLED_KEY) != nullptr) {
            continue;
        }
        if (GTK_IS_MESSAGE_DIALOG(window) || GTK_IS_FILE_CHOOSER_DIALOG(window)) {
            handle(window);
            break; // one dialog per tick: answering it may open the next
        }
    }
    g_list_free(toplevels);
}

void DialogScript::handle(GtkWidget* dialog) {
    g_object_set_data(G_OBJECT(dialog), HANDLED_KEY, GINT_TO_POINTER(1));
    if (GTK_IS_FILE_CHOOSER_DIALOG(dialog)) {
        chooser_ = dialog;
        g_object_add_weak_pointer(G_OBJECT(chooser_), reinterpret_cast<gpointer*>(&chooser_));
        chooser_step_ = ChooserStep::to_record;
        chooser_due_ = g_get_monotonic_time() + 150000;
        return;
    }
    record_and_answer(dialog);
}

void DialogScript::record_and_answer(GtkWidget* dialog) {
    DialogSeen seen;
    GtkWindow* window = GTK_WINDOW(dialog);
    seen.title = gtk_window_get_title(window) != nullptr ? gtk_window_get_title(window) : "";
    seen.parent = gtk_window_get_transient_for(window);
    seen.destroy_with_parent = gtk_window_get_destroy_with_parent(window);
    g_object_get(dialog, "window-position", &seen.position, nullptr);
    seen.has_icon = gtk_window_get_icon(window) != nullptr;

    GList* children = gtk_container_get_children(GTK_CONTAINER(GTK_DIALOG(dialog)->action_area));
    for (GList* child = children; child != nullptr; child = child->next) {
        GtkWidget* button = GTK_WIDGET(child->data);
        if (GTK_IS_BUTTON(button)) {
            const gchar* label = gtk_button_get_label(GTK_BUTTON(button));
            // The action area lists its buttons last added first.
            seen.buttons.insert(seen.buttons.begin(), {label != nullptr ? label : "",
                                    gtk_dialog_get_response_for_widget(GTK_DIALOG(dialog),
                                                                       button)});
        }
    }
    g_list_free(children);

    if (GTK_IS_FILE_CHOOSER_DIALOG(dialog)) {
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
        seen.is_chooser = true;
        seen.action = gtk_file_chooser_get_action(chooser);
        gchar* folder = gtk_file_chooser_get_current_folder(chooser);
        seen.current_folder = folder != nullptr ? folder : "";
        g_free(folder);
        GSList* filters = gtk_file_chooser_list_filters(chooser);
        for (GSList* f = filters; f != nullptr; f = f->next) {
            const gchar* name = gtk_file_filter_get_name(GTK_FILE_FILTER(f->data));
            seen.filter_names.push_back(name != nullptr ? name : "");
        }
        g_slist_free(filters);
        GtkFileFilter* active = gtk_file_chooser_get_filter(chooser);
        if (active != nullptr && gtk_file_filter_get_name(active) != nullptr) {
            seen.active_filter = gtk_file_filter_get_name(active);
        }
        seen.overwrite_confirmation = gtk_file_chooser_get_do_overwrite_confirmation(chooser);
    } else {
        g_object_get(dialog, "message-type", &seen.type, nullptr);
        seen.text = text_property(G_OBJECT(dialog), "text");
    }
    seen_.push_back(seen);

    if (next_ >= answers_.size()) {
        ADD_FAILURE() << "A dialog appeared that the test did not expect: \""
                      << (seen.is_chooser ? seen.title : seen.text) << "\"";
        if (seen.is_chooser) {
            forget_chooser();
        }
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
        return;
    }
    const Answer& answer = answers_[next_++];
    if (!answer.path.empty()) {
        if (!seen.is_chooser) {
            ADD_FAILURE() << "Expected the file chooser, saw \"" << seen.text << "\"";
            gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
            return;
        }
        chooser_path_ = answer.path;
        chooser_tries_ = 0;
        chooser_step_ = ChooserStep::to_press_ok;
        chooser_due_ = 0; // the name is typed at the next tick
        return;
    }
    if (seen.is_chooser) {
        forget_chooser();
    }
    gtk_dialog_response(GTK_DIALOG(dialog), answer.response);
}

} // namespace gui_test
