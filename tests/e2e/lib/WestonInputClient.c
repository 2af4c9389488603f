/* Sends commands to the test seat of the end-to-end Weston (WestonInput.c), one connection each.
 *
 * Usage: zorban_e2e_wl SOCKET COMMAND...   (each COMMAND one argument, e.g. "move 10 20" "button 1 down")
 * Prints what the commands answer before their closing "ok"; exits 1 at the first error. A small program
 * rather than a script: the tests call it for every click and pixel. */
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

static int send_command(const char* path, const char* command) {
    struct sockaddr_un addr = {.sun_family = AF_UNIX};
    if (strlen(path) >= sizeof addr.sun_path) return fprintf(stderr, "socket path too long\n"), 1;
    strcpy(addr.sun_path, path);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || connect(fd, (struct sockaddr*)&addr, sizeof addr) != 0) {
        perror(path);
        if (fd >= 0) close(fd);
        return 1;
    }
    dprintf(fd, "%s\n", command);
    static char answer[1 << 16];
    size_t got = 0;
    ssize_t r;
    while (got < sizeof answer - 1 && (r = read(fd, answer + got, sizeof answer - 1 - got)) > 0)
        got += (size_t)r;
    close(fd);
    answer[got] = '\0';
    /* The last line is "ok" or the error. */
    if (got > 0 && answer[got - 1] == '\n') answer[--got] = '\0';
    char* last = strrchr(answer, '\n');
    const char* status = last ? last + 1 : answer;
    if (strcmp(status, "ok") != 0) {
        fprintf(stderr, "%s: %s\n", command, got ? status : "no answer");
        return 1;
    }
    if (last) {
        *last = '\0';
        puts(answer);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) return fprintf(stderr, "usage: %s SOCKET COMMAND...\n", argv[0]), 2;
    for (int i = 2; i < argc; i++)
        if (send_command(argv[1], argv[i]) != 0) return 1;
    return 0;
}
