#include "GameProcesses.h"

#include <cstddef>

namespace Watch {

// Under Wine the first window of a prefix starts Wine's desktop process,
// from whichever process asks first: asked for here, before the job, so that
// it is no process of the game's.
GameProcesses::GameProcesses() {
    GetDesktopWindow();
    job_ = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_) SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    joined_ = job_ && AssignProcessToJobObject(job_, GetCurrentProcess());
}

// The members' handles go; the job's stays open for Wickcheck's life, since
// closing it would end every process in it, Wickcheck among them.
GameProcesses::~GameProcesses() {
    for (std::size_t i = 0; i < count_; ++i) CloseHandle(members_[i].handle);
}

bool GameProcesses::InJob(HANDLE process) const {
    BOOL inJob = FALSE;
    return job_ && IsProcessInJob(process, job_, &inJob) && inJob;
}

// Wine answers IsProcessInJob only for a handle with PROCESS_QUERY_INFORMATION;
// Windows for one with the limited right too, which is all a process of
// higher integrity gives.
HANDLE GameProcesses::OpenInJob(DWORD processId, DWORD access) const {
    HANDLE process = OpenProcess(access | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process) process = OpenProcess(access | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process && !InJob(process)) {
        CloseHandle(process);
        return nullptr;
    }
    return process;
}

// Where Wickcheck could not join the job (Windows before 8 when it runs in
// another job), the game's process joins it now: a process it started in
// between is not seen.
void GameProcesses::Started(HANDLE process, Timeline& timeline, unsigned long long now) {
    if (!process) return;
    if (!InJob(process) && job_) AssignProcessToJobObject(job_, process);
    HANDLE own = nullptr;
    DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS);
    Member* member = own ? Add(own, GetProcessId(process)) : nullptr;
    if (!member || InJob(own)) return;
    member->outsideJob = true;
    Happening& outside = timeline.Add(Event::OutsideJob, now);
    outside.program.Set(member->program);
    outside.process = member->id;
}

void GameProcesses::ProgramOf(DWORD processId, Text& program) {
    program.Clear();
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return;
    DWORD length = static_cast<DWORD>(program.Capacity());
    if (QueryFullProcessImageNameA(process, 0, program.Buffer(), &length)) program.Adopt(length);
    CloseHandle(process);
}

GameProcesses::Member* GameProcesses::Find(DWORD processId) {
    for (std::size_t i = 0; i < count_; ++i)
        if (members_[i].id == processId && WaitForSingleObject(members_[i].handle, 0) == WAIT_TIMEOUT)
            return &members_[i];
    return nullptr;
}

GameProcesses::Member* GameProcesses::Add(HANDLE handle, DWORD processId) {
    if (count_ == kMost) {
        CloseHandle(handle);
        return nullptr;
    }
    Member& member = members_[count_++];
    member.handle = handle;
    member.id = processId;
    ProgramOf(processId, member.program);
    return &member;
}

std::size_t GameProcesses::RunningIds(DWORD* ids, std::size_t capacity) {
    constexpr std::size_t kListed = 64;
    alignas(JOBOBJECT_BASIC_PROCESS_ID_LIST) unsigned char list[sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) +
                                                                kListed * sizeof(ULONG_PTR)] = {};
    if (!job_ || !QueryInformationJobObject(job_, JobObjectBasicProcessIdList, list, sizeof list, nullptr)) return 0;
    DWORD listed = reinterpret_cast<const JOBOBJECT_BASIC_PROCESS_ID_LIST*>(list)->NumberOfProcessIdsInList;
    const auto* listedIds =
        reinterpret_cast<const ULONG_PTR*>(list + offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList));
    std::size_t count = 0;
    for (DWORD i = 0; i < listed && i < kListed && count < capacity; ++i)
        if (listedIds[i] != GetCurrentProcessId()) ids[count++] = static_cast<DWORD>(listedIds[i]);
    return count;
}

void GameProcesses::Look(Timeline& timeline, unsigned long long now) {
    DWORD ids[kMost];
    std::size_t running = RunningIds(ids, kMost);
    for (std::size_t i = 0; i < running; ++i) {
        if (Find(ids[i])) continue;
        HANDLE handle = OpenInJob(ids[i], SYNCHRONIZE | PROCESS_TERMINATE);
        const Member* member = handle ? Add(handle, ids[i]) : nullptr;
        if (!member) continue;
        Happening& started = timeline.Add(Event::ProcessStarted, now);
        started.program.Set(member->program);
        started.process = member->id;
    }
    for (std::size_t i = 0; i < count_; ++i) {
        Member& member = members_[i];
        if (member.ended || WaitForSingleObject(member.handle, 0) != WAIT_OBJECT_0) continue;
        member.ended = true;
        DWORD code = 0;
        GetExitCodeProcess(member.handle, &code);
        Happening& ended = timeline.Add(Event::Ended, now);
        ended.program.Set(member.program);
        ended.process = member.id;
        ended.number = code;
        ended.endedByWickcheck = member.endedByWickcheck;
    }
}

bool GameProcesses::IsGames(DWORD processId) {
    if (processId == GetCurrentProcessId()) return false;
    if (Find(processId)) return true;
    HANDLE process = OpenInJob(processId, 0);
    if (process) CloseHandle(process);
    return process != nullptr;
}

bool GameProcesses::Running() {
    for (std::size_t i = 0; i < count_; ++i)
        if (members_[i].outsideJob && WaitForSingleObject(members_[i].handle, 0) == WAIT_TIMEOUT) return true;
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (job_ && QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                          nullptr))
        return accounting.ActiveProcesses > (joined_ ? 1u : 0u);
    for (std::size_t i = 0; i < count_; ++i)
        if (WaitForSingleObject(members_[i].handle, 0) == WAIT_TIMEOUT) return true;
    return false;
}

// Each round ends what runs, by the handles kept (a member still in the job,
// or one watched outside it) and, past the room for members, by a handle
// opened from the job's list just now and checked to be in the job; a
// process may start another meanwhile, so rounds follow until none is left
// or the grace is over.
bool GameProcesses::EndAll(unsigned& ended, unsigned graceMilliseconds, Timeline& timeline, unsigned long long now) {
    ended = 0;
    ULONGLONG until = GetTickCount64() + graceMilliseconds;
    while (Running() && GetTickCount64() < until) {
        Look(timeline, now);
        HANDLE ending[kMost];
        DWORD endingCount = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            Member& member = members_[i];
            if (WaitForSingleObject(member.handle, 0) != WAIT_TIMEOUT) continue;
            if (!member.outsideJob && !InJob(member.handle)) continue;
            if (!TerminateProcess(member.handle, 1)) continue;
            member.endedByWickcheck = true;
            ending[endingCount++] = member.handle;
        }
        DWORD ids[kMost];
        std::size_t listed = RunningIds(ids, kMost);
        for (std::size_t i = 0; i < listed; ++i) {
            if (Find(ids[i])) continue;
            HANDLE process = OpenInJob(ids[i], PROCESS_TERMINATE | SYNCHRONIZE);
            if (!process) continue;
            ULONGLONG at = GetTickCount64();
            DWORD wait = at < until ? static_cast<DWORD>(until - at) : 0;
            if (TerminateProcess(process, 1) && WaitForSingleObject(process, wait) == WAIT_OBJECT_0) ++ended;
            CloseHandle(process);
        }
        ULONGLONG at = GetTickCount64();
        if (endingCount)
            WaitForMultipleObjects(endingCount, ending, TRUE, at < until ? static_cast<DWORD>(until - at) : 0);
    }
    for (std::size_t i = 0; i < count_; ++i)
        if (members_[i].endedByWickcheck && WaitForSingleObject(members_[i].handle, 0) == WAIT_OBJECT_0) ++ended;
    return !Running();
}

}  // namespace Watch
