#pragma once
// A few threads kept alive for the whole run, to share out work whose parts are independent: the rows of a
// scan, the graphs of a redraw. Only evaluation runs on them; whatever is drawn is drawn by the caller, in
// the order a single thread would draw it, so the picture does not depend on how many threads there are.
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class TWorkerPool {
public:
    // The program's pool: one thread per processor, the caller counted among them.
    static TWorkerPool& Instance();

    explicit TWorkerPool(int threads);
    ~TWorkerPool();
    TWorkerPool(const TWorkerPool&) = delete;
    TWorkerPool& operator=(const TWorkerPool&) = delete;

    // The threads that take part in a Run, the caller included; 1 runs everything on the caller.
    int Threads() const { return m_threads; }
    // Replaces the threads (the waiting ones end first). For tests and benchmarks that compare the threaded
    // work with the single-threaded one; not while a Run is going on.
    void SetThreads(int threads);

    // Calls job(0) .. job(count - 1), each once, spread over the threads, and returns when all are done; an
    // exception thrown by a job is thrown again here. Jobs run on the caller alone when there is one thread,
    // one job, or when Run is called from within a job or while another thread's Run is going on.
    void Run(int count, const std::function<void(int)>& job);

private:
    void Start(int threads);
    void Stop();
    void Work();
    // Takes job indices until none is left.
    void Take();

    int m_threads = 1;
    std::vector<std::thread> m_workers;
    std::mutex m_runLock; // one Run at a time uses the workers
    std::mutex m_lock;
    std::condition_variable m_wake, m_done;
    const std::function<void(int)>* m_job = nullptr;
    int m_count = 0;
    int m_next = 0;
    int m_busy = 0;            // workers still inside the current round
    unsigned long m_round = 0; // counts the Runs, so a worker takes part in each once
    bool m_stopping = false;
    std::exception_ptr m_failure; // the first exception a job threw
};

// Within its scope the program's pool runs on one thread (or on as many as asked): the single-threaded work
// that threaded work is compared with.
class TPoolThreadsScope {
public:
    explicit TPoolThreadsScope(int threads) : m_before(TWorkerPool::Instance().Threads()) {
        TWorkerPool::Instance().SetThreads(threads);
    }
    ~TPoolThreadsScope() { TWorkerPool::Instance().SetThreads(m_before); }
    TPoolThreadsScope(const TPoolThreadsScope&) = delete;
    TPoolThreadsScope& operator=(const TPoolThreadsScope&) = delete;

private:
    int m_before;
};
