/*
 * Preloaded into the 32-bit Wine processes when they run under qemu user-mode
 * emulation (never when the kernel runs 32-bit code itself).
 *
 * Debian's Wine has no preloader, so at every start a 32-bit Wine process
 * reserves the address space above 0x7ffe0000 by probing it with PROT_NONE,
 * MAP_NORESERVE | MAP_FIXED_NOREPLACE mappings, halving the size after each
 * refusal down to 64 KiB: about 65,000 calls. qemu 7.2 ignores
 * MAP_FIXED_NOREPLACE, maps each probe elsewhere after scanning its page
 * table, and Wine unmaps it again, so a process start takes 50 to 110 s.
 * Answering exactly those probes at once with EEXIST, as the kernel does for
 * a taken range, brings a start down to 2 to 3 s. Every other call goes to
 * the kernel (that is, to qemu) unchanged.
 *
 * Built with gcc -m32 -nostdlib -ffreestanding -shared, so that the host
 * needs no 32-bit libraries; syscall() and errno are glibc's, found when the
 * library loads.
 */

typedef unsigned int size_t_32;
typedef long long off64;

#define PROT_NONE 0
#define MAP_NORESERVE 0x4000
#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED ((void *)-1)
#define EEXIST 17
#define EINVAL 22
#define PAGE_SIZE 4096
#define SYS_MMAP2 192
#define PROBED_FROM 0x7ffe0000u

extern int *__errno_location(void);
extern long syscall(long number, ...);

static int is_reservation_probe(void *address, int protection, int flags)
{
    const int probe_flags = MAP_NORESERVE | MAP_FIXED_NOREPLACE;
    return protection == PROT_NONE && (flags & probe_flags) == probe_flags &&
           (unsigned int)address >= PROBED_FROM;
}

static void *fail_with(int error)
{
    *__errno_location() = error;
    return MAP_FAILED;
}

static void *map(void *address, size_t_32 length, int protection, int flags, int fd, off64 offset)
{
    if (is_reservation_probe(address, protection, flags))
        return fail_with(EEXIST);
    if (offset % PAGE_SIZE)
        return fail_with(EINVAL);
    return (void *)syscall(SYS_MMAP2, address, length, protection, flags, fd, (unsigned int)(offset / PAGE_SIZE));
}

void *mmap(void *address, size_t_32 length, int protection, int flags, int fd, long offset)
{
    return map(address, length, protection, flags, fd, offset);
}

void *mmap64(void *address, size_t_32 length, int protection, int flags, int fd, off64 offset)
{
    return map(address, length, protection, flags, fd, offset);
}
