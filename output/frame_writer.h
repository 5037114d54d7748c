#pragma once
// The frames of a transient run written by two threads of their own: the
// interface thread draws a frame (about a millisecond) and hands it over, the
// threads encode it as PNG (most of the work) and write it, so the machine's
// cores share the encoding while the window keeps answering.
//
// The frames are a fresh batch of files for a slide or video tool, not a
// document the student could lose: each is written straight into its new
// file, without the flush to the disk that a saved problem gets, and a file
// that fails part-way is removed.
#include <QImage>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace calorix {

class Frame_Writer {
  public:
    // `threads` encoders; at most `waiting` frames queued for them.
    explicit Frame_Writer(int threads = 2, int waiting = 4);
    // Drops the frames not yet started and waits for those in progress.
    ~Frame_Writer();
    Frame_Writer(const Frame_Writer&) = delete;
    Frame_Writer& operator=(const Frame_Writer&) = delete;

    // Queues the frame unless the queue is full (then false: try again after
    // Wait_For_Room) or a frame has failed.
    bool Try_Add(const QString& path, const QImage& frame);
    // Return when the queue has room (or every frame is done), or `ms` passed.
    void Wait_For_Room(int ms) { Wait(ms, false); }
    void Wait_Until_Done(int ms) { Wait(ms, true); }
    // Drops the queued frames; those being written are finished.
    void Cancel();
    // Every frame handed over has been written (or has failed).
    bool Done();
    int Written();
    bool Failed();

  private:
    struct Frame {
        QString Path;
        QImage Image;
    };
    void Work();
    void Wait(int ms, bool until_done);

    std::mutex mutex_;
    std::condition_variable wake_workers_;
    std::condition_variable wake_caller_;
    std::deque<Frame> queue_;
    std::size_t waiting_;
    int busy_ = 0;
    int written_ = 0;
    bool failed_ = false;
    bool stop_ = false;
    std::vector<std::thread> threads_;
};

// Writes bytes into a new file (or over an old one) without flushing it to
// the disk; a file cut short is removed.  False when it cannot be written.
bool Write_New_File(const QString& path, const QByteArray& bytes);

}  // namespace calorix
