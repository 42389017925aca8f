# Resident memory, descriptors and threads against turns, from soak_run's figures.
set terminal pngcairo size 720,400 font ",10"
set output picture
set datafile separator ","
set key autotitle columnhead top left
set xlabel "turn"
set ylabel "resident memory (MB)"
set y2label "descriptors, threads"
set ytics nomirror
set y2tics
set yrange [0:*]
set y2range [0:*]
set grid
plot figures using 1:($3/1024) with linespoints title "resident memory (MB)", \
     figures using 1:4 axes x1y2 with linespoints title "open descriptors", \
     figures using 1:5 axes x1y2 with linespoints title "threads"
