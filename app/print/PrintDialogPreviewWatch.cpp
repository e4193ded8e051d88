// PrintDialogPreviewWatch.cpp - a hook on every emission of the print job's "preview" signal,
// which the job emits before it prepares its pages.

#include "app/print/PrintDialogPreviewWatch.h"

#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

gboolean OnPreview(GSignalInvocationHint*, guint, const GValue*, gpointer watch) {
    (*static_cast<std::function<void()>*>(watch))();
    return TRUE;  // stays installed for the next emission
}

}  // namespace

PrintDialogPreviewWatch::PrintDialogPreviewWatch(std::function<void()> on_preview)
    : m_on_preview(std::move(on_preview)), m_job_class(g_type_class_ref(GTK_TYPE_PRINT_OPERATION)),
      m_signal(g_signal_lookup("preview", GTK_TYPE_PRINT_OPERATION)) {
    m_hook = g_signal_add_emission_hook(m_signal, 0, OnPreview, &m_on_preview, nullptr);
}

PrintDialogPreviewWatch::~PrintDialogPreviewWatch() {
    g_signal_remove_emission_hook(m_signal, m_hook);
    g_type_class_unref(m_job_class);
}

}  // namespace varnholt
