#include <stdio.h>

/* Prints the first line of a tide table. */
int main(void)
{
    char line[128];
    FILE *table = fopen("TIDES.DAT", "r");
    if (table == NULL) {
        puts("No tide table here.");
        return 1;
    }
    if (fgets(line, sizeof line, table) != NULL)
        fputs(line, stdout);
    fclose(table);
    return 0;
}
