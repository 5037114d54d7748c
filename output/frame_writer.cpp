#include "output/frame_writer.h"

#include <QFile>
#include <chrono>

#include "output/picture_figure.h"

namespace calorix {

Frame_Writer::Frame_Writer(int threads, int waiting)
    : waiting_(static_cast<std::size_t>(std::max(1, waiting))) {
    for (int k = 0; k < std::max(1, threads); ++k) {
        threads_.emplace_back([this] { Work(); });
    }
}

Frame_Writer::~Frame_Writer() {
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        stop_ = true;
    }
    wake_workers_.notify_all();
    for (std::thread& t : threads_) {
        t.join();
    }
}

bool Frame_Writer::Try_Add(const QString& path, const QImage& frame) {
    {
        const std::lock_guard lock(mutex_);
        if (failed_ || queue_.size() >= waiting_) {
            return false;
        }
        queue_.push_back({path, frame});
    }
    wake_workers_.notify_one();
    return true;
}

void Frame_Writer::Wait(int ms, bool until_done) {
    std::unique_lock lock(mutex_);
    wake_caller_.wait_for(lock, std::chrono::milliseconds(ms), [this, until_done] {
        const bool done = queue_.empty() && busy_ == 0;
        return failed_ || done || (!until_done && queue_.size() < waiting_);
    });
}

void Frame_Writer::Cancel() {
    const std::lock_guard lock(mutex_);
    queue_.clear();
}

bool Frame_Writer::Done() {
    const std::lock_guard lock(mutex_);
    return queue_.empty() && busy_ == 0;
}

int Frame_Writer::Written() {
    const std::lock_guard lock(mutex_);
    return written_;
}

bool Frame_Writer::Failed() {
    const std::lock_guard lock(mutex_);
    return failed_;
}

void Frame_Writer::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_workers_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_) {
            return;
        }
        Frame frame = std::move(queue_.front());
        queue_.pop_front();
        ++busy_;
        lock.unlock();
        // The frame's image is this thread's own copy: the caller's was
        // shared, and nothing draws on it any more.
        const bool ok = Write_New_File(frame.Path, Png_Bytes(frame.Image));
        frame.Image = QImage();
        lock.lock();
        --busy_;
        if (ok) {
            ++written_;
        } else {
            failed_ = true;
            queue_.clear();
        }
        wake_caller_.notify_all();
    }
}

bool Write_New_File(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool ok = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!ok || file.error() != QFileDevice::NoError) {
        file.remove();
        return false;
    }
    return true;
}

}  // namespace calorix
