// PrintDialogPreviewWatch.h - tells when a print job turns out to be a preview: the desktop's
// print dialog has a Preview button of its own, which runs the job into a file for a viewer
// instead of printing it, and says so to nobody but the job's own toolkit object.
#pragma once

#include <functional>

namespace varnholt {

// While it lives, calls `on_preview` each time the toolkit's print job is to be a preview, before
// the job is prepared.
class PrintDialogPreviewWatch {
public:
    explicit PrintDialogPreviewWatch(std::function<void()> on_preview);
    ~PrintDialogPreviewWatch();
    PrintDialogPreviewWatch(const PrintDialogPreviewWatch&) = delete;
    PrintDialogPreviewWatch& operator=(const PrintDialogPreviewWatch&) = delete;

private:
    std::function<void()> m_on_preview;
    void* m_job_class = nullptr;  // held, so that the signal stays known
    unsigned m_signal = 0;
    unsigned long m_hook = 0;
};

}  // namespace varnholt
